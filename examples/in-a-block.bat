@echo off
rem Inside a block in parentheses, %errorlevel% is read once, when the block
rem is read, before Yelpit has run. With delayed expansion, !errorlevel! is
rem read when its line runs.
setlocal EnableDelayedExpansion
for %%f in (report.txt) do (
  Yelpit.exe Send %%f to the team? /c:Mail /t:MB_YESNO,MB_ICONQUESTION
  if !errorlevel! == 6 (
    echo Sending %%f.
  ) else if !errorlevel! == 7 (
    echo Keeping %%f.
  ) else (
    echo No box could be shown; keeping %%f.
  )
)
