// Process-level services of the host: the command processor, the console window, the
// running executable's path and code-page conversion.
#ifndef VORNIK_PLATFORM_SYSTEM_H
#define VORNIK_PLATFORM_SYSTEM_H

#include <string>

namespace vornik::platform {

// Runs one command line through the command processor and waits for it (the C run-time's
// system). Win32: cmd.exe. POSIX stand-in: /bin/sh -c. Returns system's result.
int run_command(const std::string& command_line);

// The command processor's "pause": asks for a key press and waits for it. The POSIX stand-in
// prints "Press any key to continue . . . " and reads one byte of standard input, returning at
// once at the end of input.
void pause();

// Hides and shows the process's console window; nothing happens when there is none (and
// always on the POSIX stand-in).
void hide_console_window();
void show_console_window();

// Full path of the running executable, as GetModuleFileNameW reports it into a buffer of
// 260 code units.
std::u16string executable_path();

// Narrow text in the system's ANSI code page to UTF-16 (MultiByteToWideChar with CP_ACP and
// MB_PRECOMPOSED), into a buffer of 260 code units terminator included. The POSIX stand-in's
// code page is ISO 8859-1: every byte becomes the code unit of the same value.
std::u16string ansi_to_wide(const std::string& text);

}  // namespace vornik::platform

#endif  // VORNIK_PLATFORM_SYSTEM_H
