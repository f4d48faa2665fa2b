#pragma once

class CClient;
class CollectingPrompter;
class Console;

// "situatie": the month overview of the window, every company of the register on one line
// (or one JSON line each): its insured persons, amounts, houses, declaration, the files the
// program wrote and whether they would differ today, and its state.
struct OverviewRequest {
  int month = 0;  // AAAALL
  bool json = false;
};

// Exit code 0 with the rows shown, 2 when the register could not be read.
[[nodiscard]] int RunOverview(CClient& client, CollectingPrompter& prompter, Console& console,
                              const OverviewRequest& request);
