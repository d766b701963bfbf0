// Writes a FIT workout file with Garmin's own SDK encoder, from JSON:
//   { "name": "...", "fileType": "workout", "incline": true,
//     "steps": [ { "wktStepName": "...", "durationType": "distance", "durationValue": 80000,
//                  "targetType": "speed", "targetValue": 0, "customTargetValueLow": 2500, ... ,
//                  "incline": 30 } ] }
// Step fields go to the encoder as they are (durations in ms or cm, speeds
// in mm/s); each step's message_index is its position. "incline" (tenths
// of a percent) becomes a developer field named "incline", declared under
// field number 4 so that a reader must find it by its name.
//   node encode_workout.mjs WORKOUT.json  -> the file's bytes in hex
import { readFileSync } from 'node:fs';
import { Encoder, Profile } from '@garmin/fitsdk';

const workout = JSON.parse(readFileSync(process.argv[2], 'utf8'));
const developerDataIdMesg = { mesgNum: Profile.MesgNum.DEVELOPER_DATA_ID, developerDataIndex: 0,
    applicationId: Array(16).fill(7), applicationVersion: 1 };
const fieldDescriptionMesg = { mesgNum: Profile.MesgNum.FIELD_DESCRIPTION, developerDataIndex: 0,
    fieldDefinitionNumber: 4, fitBaseTypeId: 0x83, fieldName: 'incline', units: '%', scale: 10 };
const encoder = workout.incline
    ? new Encoder({ fieldDescriptions: { 0: { developerDataIdMesg, fieldDescriptionMesg } } })
    : new Encoder();

encoder.onMesg(Profile.MesgNum.FILE_ID, { type: workout.fileType ?? 'workout', manufacturer: 'development',
    product: 7, serialNumber: 12345, timeCreated: new Date('2026-03-01T07:30:00Z') });
if (workout.incline) {
    encoder.writeMesg(developerDataIdMesg);
    encoder.writeMesg(fieldDescriptionMesg);
}
encoder.onMesg(Profile.MesgNum.WORKOUT, { wktName: workout.name, sport: 'running', subSport: 'treadmill',
    numValidSteps: workout.steps.length });
workout.steps.forEach(({ incline, ...step }, i) => {
    const developer = incline === undefined ? {} : { developerFields: { 0: incline } };
    encoder.onMesg(Profile.MesgNum.WORKOUT_STEP, { messageIndex: i, ...step, ...developer });
});
process.stdout.write(Buffer.from(encoder.close()).toString('hex'));
