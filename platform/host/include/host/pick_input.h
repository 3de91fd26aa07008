#pragma once
// How a person answers a pick with the window system: the drawing takes the keyboard and the
// person types the answer at the prompt, as on the host's command line, then Enter; Escape
// cancels.  The answer is numbers separated by commas:
//   point   x,y[,z]
//   object  id[,x,y,z]           the object's id, then where it was picked
//   plane   ox,oy,oz,nx,ny,nz    origin and normal, or origin, x axis and y axis (9 numbers)
// Text the pick cannot read is refused on the command line and the pick waits for another.
// Available with the window system (KV_HOST_HAS_WINDOWS).

#include <string>
#include <vector>

#include "host/picks.h"
#include "win/input.h"

namespace host {

// The pick waiting at the drawing's prompt, nullptr when none (a page shows its form).
const PickRequest* waitingPick();

std::string pickAnswerText(const std::vector<double>& numbers);

// Script steps that answer the next pick, or cancel it.
void answerPick(win::ScriptedInput& script, const std::vector<double>& numbers);
void cancelPick(win::ScriptedInput& script);

}  // namespace host
