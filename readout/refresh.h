#pragma once

// One tick of the refresh timer: the readout of the pointer over TargetWindow
// into the X and Y labels.
void OnRefreshTick();
