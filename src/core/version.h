// A major.minor.revision version triple.
#pragma once

#include "platform/platform.h"

// Three version numbers, 0 for a new object. Setters return 0.
class vexaTVersion {
public:
    int major = 0;
    int minor = 0;
    int revision = 0;

    virtual ~vexaTVersion() = default;
    vexaTVersion() = default;
    vexaTVersion(const vexaTVersion&) = default;
    vexaTVersion& operator=(const vexaTVersion&) = default;

    // A version with the given numbers.
    static vexaTVersion Create(int major, int minor, int revision);

    // The numbers joined by ".", for example "1.0.3".
    virtual String getVersionString() const;
    // Does nothing: versions are not read back from text. Returns 0.
    virtual int setVersionString(const String& text);
    virtual int setMinor(int value);     // stores; returns 0
    virtual int setMajor(int value);     // stores; returns 0
    virtual int setRevision(int value);  // stores; returns 0
    virtual int getMinor() const;        // the minor number
    virtual int getMajor() const;        // the major number
    virtual int getRevision() const;     // the revision number
};
