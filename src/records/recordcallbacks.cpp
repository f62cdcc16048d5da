#include "recordcallbacks.h"

#include "eventwait.h"

void letEventsRunForOneSecond()
{
    eventwait::letEventsRunFor(1000);
}
