@echo off
rem cmd itself reads & | < > and ^ : put a ^ in front of each. In a batch
rem file % is written %%. Double quotes are shown in the box as they stand.
rem Yelpit.exe beside this file, or one folder up as in the release zip, comes first.
setlocal & set "PATH=%~dp0;%~dp0..;%PATH%"
Yelpit.exe Save ^& quit? 100%% done, ^<draft^> ^| "final" /c:Editor /t:MB_OKCANCEL
if %errorlevel% == 1 goto saved
if %errorlevel% == 2 goto cancelled
if %errorlevel% == 0 goto no-box
echo Yelpit did not run (error level %errorlevel%); nothing saved.
exit /b 1
:saved
echo Saved.
goto :eof
:cancelled
echo Not saved.
goto :eof
:no-box
echo No box could be shown; nothing saved.
