#ifndef STATIONREPLY_H
#define STATIONREPLY_H

// What a command station said, reduced to what a read or write of one CV
// needs. Both protocols' parsers give these; broadcasts and status lines that
// matter to neither give nothing and are passed over.
struct StationReply
{
    enum Kind {
        Ready,        // the station answered the greeting and takes requests
        Value,        // a CV's value: read, or written and echoed
        NoDecoder,    // no acknowledgement from the programming track
        ShortCircuit, // the programming or main track is short-circuited
        Stopped,      // emergency stop
        Refused,      // the station is busy or does not know the request
        Broken,       // bytes or a line of no known form
    };
    Kind kind = Broken;
    int cv = -1;    // the CV the reply names; -1 where it names none
    int value = -1; // for Value: 0 to 255
};

#endif
