@echo off
rem Saved in code page 850, the OEM code page of Western European Windows.
rem cmd.exe reads a batch file in the OEM code page, and Yelpit receives its
rem text in the ANSI code page (1252): saved this way, every accent arrives.
rem Yelpit.exe beside this file, or one folder up as in the release zip, comes first.
setlocal & set "PATH=%~dp0;%~dp0..;%PATH%"
Yelpit.exe Grî·e der Sendung prÅfen? ZurÅck zum CafÇ. /c:Lager /t:MB_YESNO,MB_ICONQUESTION
if %errorlevel% == 6 goto check
if %errorlevel% == 7 goto skip
if %errorlevel% == 0 goto no-box
echo Yelpit did not run (error level %errorlevel%); nothing checked.
exit /b 1
:check
echo Checked.
goto :eof
:skip
echo Skipped.
goto :eof
:no-box
echo No box could be shown; nothing checked.
