#pragma once

#include <QString>
#include <QStringList>

class TDMComm;

// Walks the selection steps of the wizard (pad, vacuum source, tubing, ejector or
// vacuum unit, valves) with the same statements the wizard runs, so the catalogue
// can be checked to offer a product at every step before the wizard itself exists.
// The response-time check of the vacuum units needs the calculation and is left out.
struct WizardConditions {
    QString circuit = QStringLiteral("1");
    int region = 0;
    double mass = 10; // kg
    double safetyFactor = 4;
    int pads = 4;
    double vacuum = 60;           // kPa, magnitude
    double tubeLength = 1;        // m
    double responseTime = 1;      // s
    double leakage = 0.1;         // L/min (ANR) per pad
    double pumpVacuum = 90;       // kPa, magnitude
    double releasePressure = 0.5; // MPa
    bool buffer = true;
    bool automaticPad = true;
};

struct WizardOutcome {
    // Empty when every step found its product; otherwise the message key the wizard
    // shows ("MSG002") or, for a step that stops without a message, a description.
    QString failure;
    // "step=model" for each product taken, in step order.
    QStringList products;
};

WizardOutcome RunWizardSteps(TDMComm& db, const WizardConditions& conditions);
