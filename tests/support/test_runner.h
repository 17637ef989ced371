#pragma once
// Runs every test of a test program inside one QApplication on Qt's
// offscreen platform, unless the environment asks for another.
int RunTestProgram(int argc, char** argv);
