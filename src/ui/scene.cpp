// Scene base operations and the sort record.
#include "ui/scene.h"

int vexaTScene::takeFaderParam(int) { return 0; }

int vexaTScene::_incRuntime(int n) {
    _runtime += n;
    return 0;
}

int vexaTScene::getRuntime() { return _runtime; }

int vexaTScene::resetRuntime() {
    _runtime = 0;
    return 1;
}

int _TtmpInteger::Compare(const _TtmpInteger* other) const {
    if (other == nullptr) return 0;
    if (other->tx > tx) return 1;
    if (other->tx < tx) return -1;
    return 0;
}
