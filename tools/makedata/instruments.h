// The instruments of the music, each one sample synthesised here: keys,
// strings, bass, leads, bell and drums.
#ifndef MAKEDATA_INSTRUMENTS_H
#define MAKEDATA_INSTRUMENTS_H

#include "xmwriter.h"

XmInstrument electricpiano();
XmInstrument strings();
XmInstrument pluckbass();
XmInstrument mutedhorn();
XmInstrument pulselead();
XmInstrument bell();
XmInstrument organstab();
XmInstrument kick();
XmInstrument snare();
XmInstrument hihat();

#endif
