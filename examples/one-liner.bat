@Yelpit.exe Stop the test server? /c:Server /t:MB_OKCANCEL,MB_ICONQUESTION & if errorlevel 2 (echo Left running.) else (echo Stopping the server.)
