// SPDX-FileCopyrightText: 2026 Brenvo software
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Stands in for Windows' calc.exe, which Wine lacks: writes how it was asked
// to show itself (2 is SW_SHOWMINIMIZED) to the file named by
// TRAMOLO_CALC_RECORD, then stays open a few seconds as a calculator would.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const char *record = std::getenv("TRAMOLO_CALC_RECORD");
    if (record) {
        if (FILE *file = std::fopen(record, "w")) {
            const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
            std::fprintf(file, "show=%d\n", show);
            std::fclose(file);
        }
    }
    Sleep(5000);
    return 0;
}
