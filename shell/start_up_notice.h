#pragma once
// Tells the host what the program could not take from its switches or could not start:
// each line on standard error, and all of them once in one message box once the window
// is up. Nothing is said when there is nothing to tell.
#include <string>
#include <vector>

void TellHostAfterStartUp(const std::vector<std::string>& utf8_problems);
