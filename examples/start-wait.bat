@echo off
rem start takes the first quoted text as a window title, so a quoted path to
rem Yelpit needs an empty title "" in front of it. /wait hands back the code.
start "" /wait "%CD%\Yelpit.exe" Deploy to production? /c:Deploy /t:MB_YESNO,MB_ICONWARNING,MB_DEFBUTTON2
if errorlevel 7 goto no
if errorlevel 6 goto yes
echo No box could be shown; not deployed.
goto :eof
:yes
echo Deploying.
goto :eof
:no
echo Not deployed.
