@echo off
rem A message on two lines. The caret at the end of "set LF=^" takes the
rem line break after it into the value, so LF holds one line feed; the two
rem empty lines below it are needed. !LF! needs delayed expansion.
setlocal EnableDelayedExpansion
set LF=^


Yelpit.exe Backup done.!LF!Open the folder? /c:Backup /t:MB_YESNO,MB_ICONQUESTION
if errorlevel 7 goto done
if errorlevel 6 goto open
echo No box could be shown; the folder stays closed.
goto :eof
:open
echo Opening the folder.
goto :eof
:done
echo Done.
