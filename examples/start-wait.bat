@echo off
rem start takes the first quoted text as a window title, so a quoted path to
rem Yelpit needs an empty title "" in front of it. /wait hands back the code.
rem Here Yelpit.exe is beside this file, or one folder up as in the release zip.
setlocal
set "yelpit=%~dp0Yelpit.exe"
if not exist "%yelpit%" set "yelpit=%~dp0..\Yelpit.exe"
if not exist "%yelpit%" goto not-found
start "" /wait "%yelpit%" Deploy to production? /c:Deploy /t:MB_YESNO,MB_ICONWARNING,MB_DEFBUTTON2
if %errorlevel% == 6 goto yes
if %errorlevel% == 7 goto no
if %errorlevel% == 0 goto no-box
echo Yelpit did not run (error level %errorlevel%); not deployed.
exit /b 1
:not-found
echo Yelpit.exe is neither beside this file nor one folder up; not deployed.
exit /b 1
:yes
echo Deploying.
goto :eof
:no
echo Not deployed.
goto :eof
:no-box
echo No box could be shown; not deployed.
