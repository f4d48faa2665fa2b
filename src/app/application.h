#pragma once

// Runs the main menu until the user leaves the program; returns the process's exit code.
int RunApplication();
