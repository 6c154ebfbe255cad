@echo off
rem Asks before a step that cannot be undone. No is the default button, so
rem a user who just presses Enter keeps the logs.
Yelpit.exe Delete the old logs? /c:Clean-up /t:MB_YESNO,MB_ICONQUESTION,MB_DEFBUTTON2
if errorlevel 7 goto keep
echo Deleting the old logs.
goto :eof
:keep
echo Keeping the logs.
