// Stands in for the system's wtsapi32.dll: lists the sessions that
// YELPIT_STANDIN_SESSIONS names, as "id:state" pairs separated by spaces with
// states numbered as wtsapi32.h numbers them; writes what a box sent to a
// session carries to the file YELPIT_STANDIN_LOG names, and answers No. With
// YELPIT_STANDIN_FAILS set, the box is answered No but the sending fails.
#include <windows.h>
// wtsapi32.h needs windows.h first.
#include <wtsapi32.h>

#include <cstdio>

extern "C" {

__declspec(dllexport) WINBOOL WINAPI
    WTSEnumerateSessionsA(HANDLE, DWORD reserved, DWORD version, WTS_SESSION_INFOA** sessions, DWORD* count) {
  if (reserved != 0 || version != 1) return FALSE;  // as Windows refuses them
  static char listed[256], name[] = "";
  constexpr DWORD kMost = 16;
  const DWORD size = GetEnvironmentVariableA("YELPIT_STANDIN_SESSIONS", listed, sizeof listed);
  if (size >= sizeof listed) return FALSE;
  auto* list = static_cast<WTS_SESSION_INFOA*>(LocalAlloc(LMEM_FIXED, sizeof(WTS_SESSION_INFOA) * kMost));
  DWORD id = 0;
  int state = 0, used = 0;
  *count = 0;
  for (const char* at = listed; *count < kMost && std::sscanf(at, "%lu:%d%n", &id, &state, &used) == 2;
       at += used) {
    list[(*count)++] = {id, name, static_cast<WTS_CONNECTSTATE_CLASS>(state)};
  }
  *sessions = list;
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
