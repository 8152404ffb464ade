#pragma once

// Asks every running PureBasic IDE to restart its compiler. Always returns 0.
int RequestCompilerRestart();
