#include "serial/timing.h"
#include "serial/win32/delay.h"

void Delay_us(int64_t us) {
    win32::Delay_us(us);
}
