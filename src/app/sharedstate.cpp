#include "app/sharedstate.h"

SharedState& shared()
{
    static SharedState state;
    return state;
}
