@echo off
rem A message on two lines. The caret at the end of "set LF=^" takes the
rem line break after it into the value, so LF holds one line feed; the two
rem empty lines below it are needed. !LF! needs delayed expansion.
rem Yelpit.exe beside this file, or one folder up as in the release zip, comes first.
setlocal & set "PATH=%~dp0;%~dp0..;%PATH%"
setlocal EnableDelayedExpansion
set LF=^


Yelpit.exe Backup done.!LF!Open the folder? /c:Backup /t:MB_YESNO,MB_ICONQUESTION
if %errorlevel% == 6 goto open
if %errorlevel% == 7 goto done
if %errorlevel% == 0 goto no-box
echo Yelpit did not run (error level %errorlevel%); the folder stays closed.
exit /b 1
:open
echo Opening the folder.
goto :eof
:done
echo Done.
goto :eof
:no-box
echo No box could be shown; the folder stays closed.
