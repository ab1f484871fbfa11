#pragma once

#include <QList>
#include <QString>

// What the series pictures are made of: the series of the catalogue, the product
// shape each one is drawn as and the picture files the selection pages load.

// The product shape a series is drawn as. A series is classed by the product table
// that holds its models, then by its rows (ports, valve use, ejector type) and the
// words of its English name; a new series of a known table gets that table's
// general shape.
enum class TLook {
    FlatPad,
    BellowsPad,
    DeepPad,
    OvalPad,
    SoftPad,
    PolyurethaneTube,
    NylonTube,
    PolyolefinTube,
    ValveEjector,
    InlineEjector,
    ManifoldEjector,
    VacuumUnit,
    PilotUnit,
    TwoPortValve,
    ThreePortValve,
    SwitchingValve,
    ReleasePortValve,
    SpeedController,
    Unclassed,
};

// Which form of the series' product one picture file shows.
enum class TVariant {
    Plain,
    Buffer,   // a pad on a spring-loaded buffer: "_B"
    PumpPort, // a vacuum unit with its vacuum pump port marked: "_2"
    Category, // the special unit series in system category Category: "_1" to "_4"
};

struct TPictureFile {
    QString Name; // without the extension
    TLook Look = TLook::Unclassed;
    bool Large = false; // a large-bore or high-flow member of its kind
    TVariant Variant = TVariant::Plain;
    int Category = 0;
};

// Whether name can be a picture file name in the picture folder: letters,
// digits, "_" and "-" only, so no catalogue text can point outside it.
bool IsPlainPictureName(const QString& name);

// The picture files of every series of the catalogue file with a picture name,
// in the order of the series. False, with the reason in error, when the catalogue
// cannot be read or a picture name is unsafe; the files of the other series are
// given all the same.
bool ReadSeriesPictures(const QString& catalogue, QList<TPictureFile>& files, QString& error);
