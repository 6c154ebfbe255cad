@echo off
rem Handles a failed step the classic way: abort the job, retry the step,
rem or ignore the failure and go on.
rem Yelpit.exe beside this file, or one folder up as in the release zip, comes first.
setlocal & set "PATH=%~dp0;%~dp0..;%PATH%"
:step
Yelpit.exe The copy of the reports failed. /c:Nightly job /t:MB_ABORTRETRYIGNORE,MB_ICONERROR
if %errorlevel% == 5 goto ignore
if %errorlevel% == 4 goto step
if %errorlevel% == 3 goto abort
if %errorlevel% == 0 goto no-box
echo Yelpit did not run (error level %errorlevel%); aborting the job.
exit /b 3
:abort
echo Job aborted.
exit /b 3
:ignore
echo Failure ignored, going on.
goto :eof
:no-box
echo No box could be shown; aborting the job.
exit /b 3
