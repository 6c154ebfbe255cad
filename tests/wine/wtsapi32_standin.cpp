// Stands in for the system's wtsapi32.dll: writes what a box sent to a
// session carries to the file YELPIT_STANDIN_LOG names, and answers No.
// With YELPIT_STANDIN_NOBODY set, nobody is signed in at any session; with
// YELPIT_STANDIN_FAILS set, the box is answered No but the sending fails.
#include <windows.h>
// wtsapi32.h needs windows.h first.
#include <wtsapi32.h>

#include <cstdio>

extern "C" {

__declspec(dllexport) WINBOOL WINAPI
    WTSQuerySessionInformationA(HANDLE, DWORD, WTS_INFO_CLASS info, LPSTR* buffer, DWORD* bytes) {
  if (info != WTSConnectState) return FALSE;
  auto* state = static_cast<int*>(LocalAlloc(LMEM_FIXED, sizeof(int)));
  *state = GetEnvironmentVariableA("YELPIT_STANDIN_NOBODY", nullptr, 0) ? WTSConnected : WTSActive;
  *buffer = reinterpret_cast<LPSTR>(state);
  *bytes = sizeof(int);
  return TRUE;
}

__declspec(dllexport) VOID WINAPI WTSFreeMemory(PVOID memory) { LocalFree(memory); }

__declspec(dllexport) WINBOOL WINAPI
    WTSSendMessageA(HANDLE, DWORD session, LPSTR title, DWORD titleLength, LPSTR message, DWORD messageLength,
                    DWORD style, DWORD timeout, DWORD* response, WINBOOL wait) {
  char path[MAX_PATH];
  FILE* log =
      GetEnvironmentVariableA("YELPIT_STANDIN_LOG", path, MAX_PATH) ? std::fopen(path, "wb") : nullptr;
  if (!log) return FALSE;
  std::fprintf(log, "session %lu, caption \"%.*s\", text \"%.*s\", style %#lx, timeout %lu, wait %d", session,
               static_cast<int>(titleLength), title, static_cast<int>(messageLength), message, style, timeout,
               wait);
  std::fclose(log);
  *response = IDNO;
  return !GetEnvironmentVariableA("YELPIT_STANDIN_FAILS", nullptr, 0);
}

}  // extern "C"
