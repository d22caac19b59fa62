#include "readout/refresh.h"

#include "platform/caption.h"
#include "platform/controls.h"
#include "readout/capture.h"
#include "readout/compute_readout.h"
#include "window/control_names.h"

void OnRefreshTick() {
    Readout readout;
    ComputeReadout(TargetWindow, readout, OutOfRangeText);
    WriteCaption(ControlHandle(control::标签1), readout.xText);
    WriteCaption(ControlHandle(control::标签2), readout.yText);
}
