#pragma once
// The credits a team's buttons give. Each writes the score first, then the total and
// the current beans, so the difference and the host fee follow inside those writes.
#include "scoreboard/team.h"

void CreditGift(const Team& team, double value);
void CreditFixed(const Team& team, double amount);
void CreditCustom(const Team& team);
void DebitCustom(const Team& team);
void UndoLastGift(const Team& team);
void SwitchMultiplierOn(const Team& team);
void SwitchMultiplierOff(const Team& team);
