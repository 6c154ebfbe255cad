@echo off
rem Tells the user something and waits until it has been read.
Yelpit.exe The nightly build is ready. /c:Build /t:MB_ICONINFORMATION
echo Notice read, error level %errorlevel%.
