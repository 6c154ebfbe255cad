@echo off
rem Handles a failed step the classic way: abort the job, retry the step,
rem or ignore the failure and go on.
:step
Yelpit.exe The copy of the reports failed. /c:Nightly job /t:MB_ABORTRETRYIGNORE,MB_ICONERROR
if errorlevel 5 goto ignore
if errorlevel 4 goto step
if errorlevel 3 goto abort
echo No box could be shown; aborting the job.
exit /b 3
:abort
echo Job aborted.
exit /b 3
:ignore
echo Failure ignored, going on.
