@echo off
rem cmd itself reads & | < > and ^ : put a ^ in front of each. In a batch
rem file % is written %%. Double quotes are shown in the box as they stand.
Yelpit.exe Save ^& quit? 100%% done, ^<draft^> ^| "final" /c:Editor /t:MB_OKCANCEL
if errorlevel 2 goto cancelled
if errorlevel 1 goto saved
echo No box could be shown; nothing saved.
goto :eof
:saved
echo Saved.
goto :eof
:cancelled
echo Not saved.
