@echo off
rem Inside a block in parentheses, %errorlevel% is read once, when the block
rem is read, before Yelpit has run. With delayed expansion, !errorlevel! is
rem read when its line runs.
rem Yelpit.exe beside this file, or one folder up as in the release zip, comes first.
setlocal & set "PATH=%~dp0;%~dp0..;%PATH%"
setlocal EnableDelayedExpansion
for %%f in (report.txt) do (
  Yelpit.exe Send %%f to the team? /c:Mail /t:MB_YESNO,MB_ICONQUESTION
  if !errorlevel! == 6 (
    echo Sending %%f.
  ) else if !errorlevel! == 7 (
    echo Keeping %%f.
  ) else if !errorlevel! == 0 (
    echo No box could be shown; keeping %%f.
  ) else (
    echo Yelpit did not run ^(error level !errorlevel!^); keeping %%f.
    exit /b 1
  )
)
