// The version triple.
#include "core/version.h"

vexaTVersion vexaTVersion::Create(int major, int minor, int revision) {
    vexaTVersion version;
    version.major = major;
    version.minor = minor;
    version.revision = revision;
    return version;
}

String vexaTVersion::getVersionString() const {
    return intToString(major) + u"." + intToString(minor) + u"." + intToString(revision);
}

int vexaTVersion::setVersionString(const String&) { return 0; }

int vexaTVersion::setMinor(int value) {
    minor = value;
    return 0;
}

int vexaTVersion::setMajor(int value) {
    major = value;
    return 0;
}

int vexaTVersion::setRevision(int value) {
    revision = value;
    return 0;
}

int vexaTVersion::getMinor() const { return minor; }

int vexaTVersion::getMajor() const { return major; }

int vexaTVersion::getRevision() const { return revision; }
