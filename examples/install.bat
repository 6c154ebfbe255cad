@echo off
rem Asks before a step and branches on the button, as users' scripts do.
Yelpit.exe Install the update now? /c:Setup /t:MB_YESNOCANCEL,MB_ICONQUESTION
if errorlevel 7 goto skip
if errorlevel 6 goto install
echo Cancelled, error level %errorlevel%.
goto end
:install
echo Installing.
goto end
:skip
echo Installation skipped.
:end
