#include "SpinoraUtility.h"

namespace spinora {

SpinoraUtility& SpinoraUtility::sharedManager()
{
    static SpinoraUtility instance;
    return instance;
}

} // namespace spinora
