@setlocal & set "PATH=%~dp0;%~dp0..;%PATH%"
@Yelpit.exe Stop the test server? /c:Server /t:MB_OKCANCEL,MB_ICONQUESTION & if errorlevel 3 (echo Yelpit did not run; left running.) else if errorlevel 2 (echo Left running.) else if errorlevel 1 (echo Stopping the server.) else (echo No box could be shown; left running.)
