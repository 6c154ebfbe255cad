@echo off
rem Asks before a step and branches on the button. Each button's number is
rem tested exactly; 0 (no box was shown) and any other number, such as 9009
rem when cmd cannot find Yelpit.exe, get a way of their own.
rem Yelpit.exe beside this file, or one folder up as in the release zip, comes first.
setlocal & set "PATH=%~dp0;%~dp0..;%PATH%"
Yelpit.exe Install the update now? /c:Setup /t:MB_YESNOCANCEL,MB_ICONQUESTION
if %errorlevel% == 6 goto install
if %errorlevel% == 7 goto skip
if %errorlevel% == 2 goto cancel
if %errorlevel% == 0 goto no-box
echo Yelpit did not run (error level %errorlevel%); nothing installed.
exit /b 1
:install
echo Installing.
goto :eof
:skip
echo Installation skipped.
goto :eof
:cancel
echo Cancelled, error level %errorlevel%.
goto :eof
:no-box
echo No box could be shown; the update waits for the next run.
