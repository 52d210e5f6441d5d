#include "store/store_platform.h"

TStorePlatform& StorePlatform() {
    static TStorePlatform platform;
    return platform;
}
