// Reads a FIT workout file with Garmin's own SDK and holds it against the
// steps it was written from, given as JSON:
//   { "name": "...", "steps": [ { "name": "6.5 mph 3%", "seconds": 90, "speed": 2.906, "incline": 3 } ] }
//   node check_workout.mjs FILE.fit WORKOUT.json
// Exits 1 naming every difference, or 0.
import { readFileSync } from 'node:fs';
import { Decoder, Stream } from '@garmin/fitsdk';

const [fitPath, workoutPath] = process.argv.slice(2);
const expected = JSON.parse(readFileSync(workoutPath, 'utf8'));
const bytes = readFileSync(fitPath);
const faults = [];
const same = (what, actual, wanted) => {
    if (actual !== wanted)
        faults.push(`${what}: ${JSON.stringify(actual)}, expected ${JSON.stringify(wanted)}`);
};
// Half a step of each field's resolution, and a little for the float.
const near = (what, actual, wanted, tolerance) => {
    if (typeof actual !== 'number' || Math.abs(actual - wanted) > tolerance)
        faults.push(`${what}: ${actual}, expected ${wanted}`);
};

if (!Decoder.isFIT(Stream.fromBuffer(bytes)) || !new Decoder(Stream.fromBuffer(bytes)).checkIntegrity())
    faults.push('not a FIT file, or its header, size or CRC is wrong');
const declared = {};
const { messages, errors } = new Decoder(Stream.fromBuffer(bytes)).read({
    fieldDescriptionListener: (key, developerDataId, description) => { declared[description.fieldName] = { key, description }; },
});
for (const error of errors)
    faults.push(`decoding error: ${error.message ?? error}`);

const fileId = messages.fileIdMesgs?.[0] ?? {};
same('file type', fileId.type, 'workout');
same('manufacturer', fileId.manufacturer, 'development');
same('serial number', fileId.serialNumber, expected.serialNumber);
const workout = messages.workoutMesgs?.[0] ?? {};
same('workout name', workout.wktName, expected.name);
same('sport', `${workout.sport} ${workout.subSport}`, 'running treadmill');
same('steps declared', workout.numValidSteps, expected.steps.length);

const incline = declared.incline;
same('incline field', incline && `${incline.description.units} ${incline.description.scale}`, '% 10');
const steps = messages.workoutStepMesgs ?? [];
same('steps', steps.length, expected.steps.length);
steps.slice(0, expected.steps.length).forEach((step, i) => {
    const want = expected.steps[i];
    same(`step ${i} index`, step.messageIndex, i);
    same(`step ${i} name`, step.wktStepName, want.name);
    same(`step ${i} kinds`, `${step.durationType} ${step.targetType} ${step.intensity}`, 'time speed active');
    near(`step ${i} time`, step.durationTime, want.seconds, 0.0005 + 1e-9);
    near(`step ${i} speed low`, step.customTargetSpeedLow, want.speed, 0.0005 + 1e-9);
    near(`step ${i} speed high`, step.customTargetSpeedHigh, want.speed, 0.0005 + 1e-9);
    const raw = incline ? step.developerFields?.[incline.key] : undefined;
    near(`step ${i} incline`, raw / incline?.description.scale, want.incline, 1e-9);
});

if (faults.length) {
    console.error(`${fitPath}: ${faults.length} difference(s):`);
    for (const fault of faults.slice(0, 40))
        console.error(`  ${fault}`);
    process.exit(1);
}
