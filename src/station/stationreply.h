#ifndef STATIONREPLY_H
#define STATIONREPLY_H

#include <QByteArray>

// What a command station said, reduced to what a read or write of one CV
// needs. Both protocols' parsers give these; broadcasts and status lines that
// matter to neither give nothing and are passed over.
struct StationReply
{
    enum Kind {
        Ready,        // the station answered the greeting or the keep-alive
        Value,        // a CV's value: read, or written and echoed
        NoDecoder,    // no acknowledgement from the programming track
        ShortCircuit, // the programming or main track is short-circuited
        Stopped,      // emergency stop
        Refused,      // the station is busy or does not know the request
        Broken,       // bytes or a reply of no known form
        PowerOn,      // track power switched on, which ends programming mode
        NoCurrentSense,     // DCC-EX: the programming track cannot measure current
        NoProgrammingTrack, // DCC-EX: no programming track configured
        Text,         // DCC-EX: text of the board's own, outside a reply
    };
    Kind kind = Broken;
    int cv = -1;    // the CV the reply names; -1 where it names none
    int value = -1; // for Value: 0 to 255; for a Z21's Ready: its status byte
    int callbackNumber = -1; // DCC-EX: the numbers a request's reply carries back
    int callbackSub = -1;
    QByteArray text{}; // for DCC-EX's Ready: its greeting line
};

#endif
