#pragma once

#include "app/c_main_menu_dialog.h"

class Prompter;

// Runs the main menu until the user leaves the program; returns the process's exit code.
int RunApplication();

// The menu's run with the given prompter and schema check: a stop asked by the system
// (SIGTERM, SIGINT, SIGHUP) ends it in order, without the exit question. Returns the
// process's exit code: non-zero when the database could not be started.
int RunMainMenu(Prompter& prompter, CMainMenuDialog::SchemaCheck schemaCheck);
