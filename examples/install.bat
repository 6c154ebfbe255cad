@echo off
rem Asks before a step and branches on the button, as users' scripts do.
rem if errorlevel N holds for N and above, so the larger values come first.
Yelpit.exe Install the update now? /c:Setup /t:MB_YESNOCANCEL,MB_ICONQUESTION
if errorlevel 7 goto skip
if errorlevel 6 goto install
if errorlevel 1 goto cancelled
echo No box could be shown; the update waits for the next run.
goto end
:cancelled
echo Cancelled, error level %errorlevel%.
goto end
:install
echo Installing.
goto end
:skip
echo Installation skipped.
:end
