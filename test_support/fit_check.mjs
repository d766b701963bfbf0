// Reads a FIT file with Garmin's own SDK and holds what it decodes against
// the workout the file was written from, given as JSON with the fields of
// exports/workout.h (null where a pulse is missing).
//   node fit_check.mjs FILE.fit WORKOUT.json
// Exits 1 naming every difference, or 0 printing what it read.
import { readFileSync } from 'node:fs';
import { Decoder, Stream } from '@garmin/fitsdk';

const [fitPath, workoutPath] = process.argv.slice(2);
if (!fitPath || !workoutPath) {
    console.error('usage: node fit_check.mjs FILE.fit WORKOUT.json');
    process.exit(2);
}
const workout = JSON.parse(readFileSync(workoutPath, 'utf8'));
const bytes = readFileSync(fitPath);
const faults = [];

// Half a step of each field's resolution, and a little for the float.
const second = 0.5, milli = 0.0005 + 1e-9, centi = 0.005 + 1e-9;
const seconds = (date) => (date instanceof Date ? date.getTime() / 1000 : date);

function near(what, actual, expected, tolerance) {
    if (expected === null || expected === undefined) {
        if (actual !== undefined)
            faults.push(`${what}: ${actual}, expected none`);
    } else if (typeof actual !== 'number' || Math.abs(actual - expected) > tolerance) {
        faults.push(`${what}: ${actual}, expected ${expected}`);
    }
}
function same(what, actual, expected) {
    if (actual !== expected)
        faults.push(`${what}: ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
}

if (!Decoder.isFIT(Stream.fromBuffer(bytes)))
    faults.push('not a FIT file');
else if (!new Decoder(Stream.fromBuffer(bytes)).checkIntegrity())
    faults.push('integrity check failed (header, size or CRC)');

const { messages, errors } = new Decoder(Stream.fromBuffer(bytes)).read();
for (const error of errors)
    faults.push(`decoding error: ${error.message ?? error}`);

const list = (name) => messages[name] ?? [];
const start = workout.start;
const end = start + workout.elapsed;

const fileIds = list('fileIdMesgs');
same('file_id messages', fileIds.length, 1);
if (fileIds.length) {
    same('file type', fileIds[0].type, 'activity');
    same('manufacturer', fileIds[0].manufacturer, 'development');
    near('time created', seconds(fileIds[0].timeCreated), start, 0);
}

const events = list('eventMesgs');
same('events', events.map((e) => `${e.event} ${e.eventType}`).join(', '), 'timer start, timer stopAll');
if (events.length === 2) {
    near('timer start', seconds(events[0].timestamp), start, 0);
    near('timer stop', seconds(events[1].timestamp), end, second);
}

const records = list('recordMesgs');
same('record messages', records.length, workout.points.length);
records.slice(0, workout.points.length).forEach((record, i) => {
    const point = workout.points[i];
    near(`record ${i} timestamp`, seconds(record.timestamp), start + point.elapsed, second);
    near(`record ${i} distance`, record.distance, point.distance, centi);
    near(`record ${i} speed`, record.speed, point.speed, milli);
    near(`record ${i} heart rate`, record.heartRate, point.heartRate, 0);
    near(`record ${i} grade`, record.grade, point.grade, centi);
});

for (const [name, key] of [['lap', 'lapMesgs'], ['session', 'sessionMesgs']]) {
    const summaries = list(key);
    same(`${name} messages`, summaries.length, 1);
    if (!summaries.length)
        continue;
    const summary = summaries[0];
    same(`${name} sport`, `${summary.sport} ${summary.subSport}`, 'running treadmill');
    near(`${name} start time`, seconds(summary.startTime), start, 0);
    near(`${name} timestamp`, seconds(summary.timestamp), end, second);
    near(`${name} elapsed time`, summary.totalElapsedTime, workout.elapsed, milli);
    near(`${name} timer time`, summary.totalTimerTime, workout.elapsed, milli);
    near(`${name} distance`, summary.totalDistance, workout.distance, centi);
    near(`${name} calories`, summary.totalCalories, workout.calories, 0);
    near(`${name} average speed`, summary.avgSpeed, workout.averageSpeed, milli);
    near(`${name} max speed`, summary.maxSpeed, workout.maxSpeed, milli);
    near(`${name} average heart rate`, summary.avgHeartRate, workout.averageHeartRate, 0);
    near(`${name} max heart rate`, summary.maxHeartRate, workout.maxHeartRate, 0);
    near(`${name} ascent`, summary.totalAscent, workout.ascent, second);
    if (name === 'session')
        same('session laps', `${summary.numLaps} from ${summary.firstLapIndex}`, '1 from 0');
}

const activities = list('activityMesgs');
same('activity messages', activities.length, 1);
if (activities.length) {
    const activity = activities[0];
    same('activity', `${activity.numSessions} ${activity.type} ${activity.event} ${activity.eventType}`,
        '1 manual activity stop');
    near('activity timestamp', seconds(activity.timestamp), end, second);
    near('activity timer time', activity.totalTimerTime, workout.elapsed, milli);
}

if (faults.length) {
    console.error(`${fitPath}: ${faults.length} difference(s) from ${workoutPath}:`);
    for (const fault of faults.slice(0, 40))
        console.error(`  ${fault}`);
    process.exit(1);
}
console.log(`${fitPath}: ${records.length} records, session and lap as the workout`);
