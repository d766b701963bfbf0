// Writes a FIT activity file with Garmin's own SDK encoder, from JSON: the
// messages after the file_id, in order, each as [message name, fields], or
// several such lists for a chain of FIT files one after the other:
//   { "messages": [ ["event", {"timestamp": 0, "event": "timer", "eventType": "start"}],
//                   ["record", {"timestamp": 1, "speed": 2.5, "distance": 2.5}],
//                   ["session", {"startTime": 0, "sport": "running", "totalTimerTime": 60}] ] }
//   { "chain": [ [...messages...], [...messages...] ] }
// Fields go to the encoder in the profile's units (m/s, m, s), as Garmin's
// own tools give them; `timestamp` and `startTime` are seconds after
// 2026-03-01 07:30 UTC.
//   node encode_activity.mjs ACTIVITY.json  -> the file's bytes in hex
import { readFileSync } from 'node:fs';
import { Encoder, Profile } from '@garmin/fitsdk';

const input = JSON.parse(readFileSync(process.argv[2], 'utf8'));
const start = Date.parse('2026-03-01T07:30:00Z');
const numbers = { record: Profile.MesgNum.RECORD, event: Profile.MesgNum.EVENT, lap: Profile.MesgNum.LAP,
    session: Profile.MesgNum.SESSION, sport: Profile.MesgNum.SPORT, activity: Profile.MesgNum.ACTIVITY };

const part = (messages) => {
    const encoder = new Encoder();
    encoder.onMesg(Profile.MesgNum.FILE_ID, { type: 'activity', manufacturer: 'development', product: 7,
        serialNumber: 12345, timeCreated: new Date(start) });
    for (const [name, fields] of messages) {
        const values = { ...fields };
        for (const time of ['timestamp', 'startTime'])
            if (time in values)
                values[time] = new Date(start + values[time] * 1000);
        encoder.onMesg(numbers[name], values);
    }
    return Buffer.from(encoder.close());
};

const files = input.chain ?? [input.messages];
process.stdout.write(Buffer.concat(files.map(part)).toString('hex'));
