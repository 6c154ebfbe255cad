@echo off
rem Tells the user something and waits until it has been read.
rem Yelpit.exe beside this file, or one folder up as in the release zip, comes first.
setlocal & set "PATH=%~dp0;%~dp0..;%PATH%"
Yelpit.exe The nightly build is ready. /c:Build /t:MB_ICONINFORMATION
if %errorlevel% == 1 goto read
if %errorlevel% == 0 goto no-box
echo Yelpit did not run (error level %errorlevel%); nobody was told.
exit /b 1
:read
echo Notice read.
goto :eof
:no-box
echo No box could be shown; nobody was told.
