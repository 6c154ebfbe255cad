@echo off
rem Waits for a disk: asks again for as long as the user presses Retry.
:check
if exist "%TEMP%\yelpit-example-disk.ready" goto ready
Yelpit.exe Insert the backup disk, then press Retry. /c:Backup disk /t:MB_RETRYCANCEL,MB_ICONWARNING
if errorlevel 4 goto check
if errorlevel 1 goto gave-up
echo No box could be shown; nobody can insert the disk.
exit /b 1
:gave-up
echo Gave up waiting for the disk.
exit /b 1
:ready
echo The disk is ready.
