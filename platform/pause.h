#pragma once
// A plain sleep of the only thread: window messages wait meanwhile.

void Pause(int milliseconds);
