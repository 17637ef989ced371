#pragma once
// The program's version, "1.1", as the build names it.
const char* ProgramVersion();
