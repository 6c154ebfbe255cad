@echo off
rem Asks before a step that cannot be undone. No is the default button, so a
rem user who just presses Enter keeps the logs.
rem Yelpit.exe beside this file, or one folder up as in the release zip, comes first.
setlocal & set "PATH=%~dp0;%~dp0..;%PATH%"
Yelpit.exe Delete the old logs? /c:Clean-up /t:MB_YESNO,MB_ICONQUESTION,MB_DEFBUTTON2
if %errorlevel% == 6 goto delete
if %errorlevel% == 7 goto keep
if %errorlevel% == 0 goto no-box
echo Yelpit did not run (error level %errorlevel%); keeping the logs.
exit /b 1
:delete
echo Deleting the old logs.
goto :eof
:keep
echo Keeping the logs.
goto :eof
:no-box
echo No box could be shown; keeping the logs.
