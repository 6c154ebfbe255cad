/* The smallest program that does Yelpit's job for one fixed box: no runtime,
   no command line, just MessageBoxA and ExitProcess. The benchmark measures
   Yelpit against it. */
#include <windows.h>

void Start(void) {
  ExitProcess(MessageBoxA(NULL, "Hello Word, are you ready?", "Greeting", MB_ICONEXCLAMATION | MB_YESNO));
}
