#pragma once
// Waits on a monotonic clock; processes window events unless NoEvents.
void Wait(float Seconds, bool NoEvents);
