@echo off
rem Asks before a step that cannot be undone. No is the default button, so
rem a user who just presses Enter keeps the logs, and so does a run where no
rem box could be shown (exit code 0).
Yelpit.exe Delete the old logs? /c:Clean-up /t:MB_YESNO,MB_ICONQUESTION,MB_DEFBUTTON2
if errorlevel 7 goto keep
if errorlevel 6 goto delete
echo No box could be shown; keeping the logs.
goto :eof
:delete
echo Deleting the old logs.
goto :eof
:keep
echo Keeping the logs.
