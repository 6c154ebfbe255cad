@echo off
rem Waits for a disk: asks again for as long as the user presses Retry, and
rem only then.
rem Yelpit.exe beside this file, or one folder up as in the release zip, comes first.
setlocal & set "PATH=%~dp0;%~dp0..;%PATH%"
:check
if exist "%TEMP%\yelpit-example-disk.ready" goto ready
Yelpit.exe Insert the backup disk, then press Retry. /c:Backup disk /t:MB_RETRYCANCEL,MB_ICONWARNING
if %errorlevel% == 4 goto check
if %errorlevel% == 2 goto gave-up
if %errorlevel% == 0 goto no-box
echo Yelpit did not run (error level %errorlevel%); no disk.
exit /b 1
:gave-up
echo Gave up waiting for the disk.
exit /b 1
:no-box
echo No box could be shown; nobody can insert the disk.
exit /b 1
:ready
echo The disk is ready.
