// The game-call sound in the browser: decoded with Web Audio, mixed down to
// one channel at 22050 Hz by an offline audio context, the samples handed
// to the core, which writes the camera's WAV file; then its placement on
// the card, step by step as the core says.

import * as card from './card.js';

export const SAMPLE_RATE = 22050;

/// The sound's samples, mono at 22050 Hz (a Float32Array). `progress` gets
/// 0..1 while the mix-down runs.
export async function convert(file, progress) {
  const data = await file.arrayBuffer();
  // Decoding in a 22050 Hz context resamples at the same time.
  const decoder = new OfflineAudioContext(1, 1, SAMPLE_RATE);
  const decoded = await decoder.decodeAudioData(data);
  const length = Math.max(1, Math.round(decoded.duration * SAMPLE_RATE));
  const context = new OfflineAudioContext({numberOfChannels: 1, length, sampleRate: SAMPLE_RATE});
  const source = context.createBufferSource();
  source.buffer = decoded;
  // Speakers down-mixing: the channels' mean, as a mono conversion averages them.
  source.connect(context.destination);
  source.start();
  const steps = 20;
  const quantum = 128 / SAMPLE_RATE;
  const times = new Set();
  for (let i = 1; i < steps; ++i) {
    const when = Math.floor((decoded.duration * i) / steps / quantum) * quantum;
    if (when <= 0 || when >= decoded.duration || times.has(when))
      continue;
    times.add(when);
    context.suspend(when).then(() => {
      progress(i / steps);
      context.resume();
    }, () => {});
  }
  const rendered = await context.startRendering();
  progress(1);
  return rendered.getChannelData(0);
}

/// Puts the camera's WAV on the card as the core's steps say: the folders,
/// the question and renames when the card holds a first picture or video,
/// then the sound in one write, which replaces the old one only whole. The
/// core is told how each step went and says the rest; true once written.
export async function placeOnCard(session, root, places, wav) {
  let written = false;
  try {
    for (const folder of places.folders)
      await card.makeFolder(root, folder);
    const plan = session.soundStart(await card.exists(root, places.picture), await card.exists(root, places.video));
    let next = plan.next;
    if (next === 'rename') {
      let ok = true;
      for (const r of plan.renames) {
        try {
          await card.rename(root, r.from, r.to);
        } catch {
          ok = false;
          break;
        }
      }
      next = session.soundRenamed(ok);
    }
    if (next === 'write') {
      try {
        await card.writeFile(root, places.sound, wav);
        session.soundWritten(true, '');
        written = true;
      } catch (error) {
        session.soundWritten(false, `${error.name}: ${error.message}`);
      }
    }
  } catch (error) {
    session.soundWritten(false, `${error.name}: ${error.message}`);
  }
  return written;
}
