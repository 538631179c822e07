// The web page in a real browser (Debian's chromium, headless), with the
// origin's private file system as the card (?card=opfs). The card files the
// desktop flow writes come from the native build's krt_web_expected.
import {test, before, after} from 'node:test';
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {mkdtemp, readFile, rm} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import path from 'node:path';
import {
  serveSite, launchBrowser, openPage, setCard, cardFile, cardNames, byLabel, chooseModel, click, save, openCard,
  complement, withoutClock, expectedDir,
} from './support.mjs';

let site;
let browser;
let scratch;

before(async () => {
  site = await serveSite();
  browser = await launchBrowser();
  scratch = await mkdtemp(path.join(tmpdir(), 'krt-web-test-'));
});

after(async () => {
  await browser?.close();
  await site?.close();
  await rm(scratch, {recursive: true, force: true});
});

const encrypted = (name) => name.endsWith('.BIN');
const plainText = (name, bytes) => (encrypted(name) ? complement(bytes) : bytes).toString('latin1');

test('every model: a save on an empty card writes the bytes the desktop flow writes', async () => {
  const page = await openPage(browser, site);
  const models = await page.evaluate(() => [...document.querySelectorAll('#model option')].map((o) => o.textContent));
  assert.equal(models.length, 30);
  assert.equal(models[0], 'RV731Q-40K');
  assert.ok(models.includes('TQ240 SERIES'));
  const saveTimes = [];
  for (const entry of models) {
    await setCard(page, {});
    await chooseModel(page, entry);
    await openCard(page);
    const status = await save(page);
    assert.equal(status, 'OK,All parameters have been saved success !', entry);
    saveTimes.push(Number(await page.evaluate(() => document.body.dataset.saveMs)));
    const names = await cardNames(page, 'GSM');
    assert.equal(names.length, 1, `${entry}: one file in GSM: ${names}`);
    const written = await cardFile(page, `GSM/${names[0]}`);
    const expected = await readFile(path.join(expectedDir, names[0]));
    const text = plainText(names[0], written);
    assert.match(text, /Clock Year=\d{4}/, `${entry}: the clock is stamped`);
    assert.equal(withoutClock(text), withoutClock(plainText(names[0], expected)), `${entry}: ${names[0]}`);
  }
  console.log(`# save time (ms): median ${saveTimes.sort((a, b) => a - b)[saveTimes.length >> 1]}, max ${saveTimes.at(-1)}`);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('a card file the desktop flow wrote loads; one camera value changed is saved, every other key keeps its bytes',
  async () => {
    const page = await openPage(browser, site);
    for (const [entry, file] of [['TQ270', 'TQ270.TXT'], ['RV731Q-33K', 'RV731Q-33K.BIN']]) {
      const desktop = await readFile(path.join(expectedDir, 'edited', file));
      await setCard(page, {[`GSM/${file}`]: desktop});
      await chooseModel(page, entry);
      await openCard(page);

      // What the file holds is what the page offers.
      const phone2 = await byLabel(page, 'Phone Number 2 :', 'textbox');
      assert.equal(await phone2.evaluate((e) => e.value), '+491705550123', entry);
      const pir = await byLabel(page, 'PIR Trigger', 'combobox');
      assert.equal(await pir.evaluate((e) => e.selectedOptions[0].textContent), 'High', entry);
      const start = await byLabel(page, 'Start Time', 'combobox');
      assert.equal(await start.evaluate((e) => e.disabled), false, `${entry}: Work Hour is ON in the file`);

      await pir.select('1'); // "Normal"
      assert.equal(await save(page), 'OK,All parameters have been saved success !', entry);
      const before = plainText(file, desktop).split(/\r?\n/);
      const after = plainText(file, await cardFile(page, `GSM/${file}`)).split(/\r?\n/);
      assert.equal(after.length, before.length, entry);
      const changed = before.map((line, i) => [line, after[i]]).filter(([a, b]) => a !== b);
      assert.deepEqual(changed, [['PIR Trigger=2', 'PIR Trigger=1']], entry);
    }
    assert.deepEqual(page.errors, []);
    await page.close();
  });

test('bad input gets the dialogs\' messages and nothing is written', async () => {
  const page = await openPage(browser, site);
  await setCard(page, {});
  await chooseModel(page, 'TQ270');
  await openCard(page);
  const address = await byLabel(page, 'SEND EMAIL ADDR :', 'textbox');
  await address.type('me@gmail.com');
  await address.press('Tab');
  // The provider's server and port follow the address.
  const server = await byLabel(page, 'SEND EMAIL SERVER :', 'textbox');
  assert.equal(await server.evaluate((e) => e.value), 'smtp.gmail.com');
  await save(page);
  const alerts = await page.evaluate(() => document.querySelector('[role="alert"]').textContent);
  assert.match(alerts, /Before saving , you must complete the highlighted 4 items \(with red sign\) in internet setting !/);
  assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-labelledby') ?? document.activeElement.labels[0]?.textContent), 'SEND EMAIL PWD :');
  assert.deepEqual(await cardNames(page, ''), [], 'nothing was written');

  // Time Lapse and PIR Trigger may not both be OFF.
  const pir = await byLabel(page, 'PIR Trigger', 'combobox');
  await pir.select('3');
  assert.equal(await pir.evaluate((e) => e.selectedOptions[0].textContent), 'Normal');
  const alertsAfter = await page.evaluate(() => document.querySelector('[role="alert"]').textContent);
  assert.match(alertsAfter, /The status of "PIR Tirgger" and "Time Lapse" can not be "OFF" at the same time !/);
  assert.deepEqual(page.errors, []);
  await page.close();
});

function makeSound(name, args) {
  const file = path.join(scratch, name);
  execFileSync('ffmpeg', ['-nostdin', '-loglevel', 'error', '-y', '-f', 'lavfi', ...args, file]);
  return file;
}

async function addAudio(page, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), click(page, 'Add Audio')]);
  await chooser.accept([file]);
  await page.waitForFunction((name) => document.getElementById('sound-path').value === name, {}, path.basename(file));
}

function wavHeader(bytes) {
  return {
    riff: bytes.toString('latin1', 0, 4),
    riffSize: bytes.readUInt32LE(4),
    wave: bytes.toString('latin1', 8, 16),
    fmtSize: bytes.readUInt32LE(16),
    format: bytes.readUInt16LE(20),
    channels: bytes.readUInt16LE(22),
    rate: bytes.readUInt32LE(24),
    byteRate: bytes.readUInt32LE(28),
    align: bytes.readUInt16LE(32),
    bits: bytes.readUInt16LE(34),
    data: bytes.toString('latin1', 36, 40),
    dataSize: bytes.readUInt32LE(40),
  };
}

test('a sound (MP3, WAV) gives the camera\'s WAV with the canonical header and the right length', async () => {
  const mp3 = makeSound('call.mp3', ['-i', 'sine=frequency=880:duration=10', '-ac', '2', '-ar', '44100']);
  const wav = makeSound('call.wav', ['-i', 'sine=frequency=440:duration=2', '-ar', '48000']);
  const page = await openPage(browser, site);
  // Slack in samples: an MP3 carries its encoder's delay and padding; a WAV is
  // exact but for the browser's resampler, which may end a sample short.
  for (const [file, seconds, slack] of [[mp3, 10, 2205], [wav, 2, 1]]) {
    // A first picture on the card has to give way: asked, then renamed.
    await setCard(page, {'DCIM/100KRTIM/IMAG0001.JPG': Buffer.from('picture')});
    await chooseModel(page, 'TQ270');
    await openCard(page);
    await (await byLabel(page, 'Game Call', 'combobox')).select('1');
    await addAudio(page, file);
    page.questions.length = 0;
    await save(page);
    assert.deepEqual(page.questions, [
      'You must rename the existed "IMAG0001.JPG" and "VIDE0001.AVI" if you want to save the audio file ,continue ?']);
    assert.deepEqual(await cardNames(page, 'DCIM/100KRTIM'),
      ['ADUI0001.WAV', 'IMAG0001_RenameForSaveAudioFile.JPG']);
    const sound = await cardFile(page, 'DCIM/100KRTIM/ADUI0001.WAV');
    const header = wavHeader(sound);
    assert.deepEqual({...header, riffSize: 0, dataSize: 0}, {
      riff: 'RIFF', riffSize: 0, wave: 'WAVEfmt ', fmtSize: 16, format: 1, channels: 1, rate: 22050, byteRate: 22050,
      align: 1, bits: 8, data: 'data', dataSize: 0,
    }, file);
    assert.equal(header.riffSize, sound.length - 8, file);
    assert.equal(header.dataSize, sound.length - 44 - (header.dataSize % 2), file);
    assert.ok(Math.abs(header.dataSize - seconds * 22050) <= slack,
      `${file}: ${header.dataSize} samples for ${seconds} s`);
    // A sine, not silence.
    const samples = sound.subarray(44, 44 + header.dataSize);
    // A sine of lavfi's small amplitude (1/8) around the middle value 128, not silence.
    const first = samples.subarray(2000, 6000);
    assert.ok(Math.max(...first) >= 136 && Math.min(...first) <= 120, `${file}: ${Math.min(...first)}..${Math.max(...first)}`);
    console.log(`# ${path.basename(file)} (${seconds} s): converted and placed in ${await page.evaluate(() => document.body.dataset.soundMs)} ms`);
  }

  // Declining the renaming places nothing.
  await setCard(page, {'DCIM/100KRTIM/VIDE0001.AVI': Buffer.from('video')});
  assert.deepEqual(page.errors, []);
  await page.close();
  const pageNo = await openPage(browser, site, {answers: [false]});
  await pageNo.bringToFront();
  await chooseModel(pageNo, 'TQ270');
  await openCard(pageNo);
  await (await byLabel(pageNo, 'Game Call', 'combobox')).select('1');
  await addAudio(pageNo, wav);
  await save(pageNo);
  assert.equal(await pageNo.evaluate(() => document.querySelector('[role="status"]').textContent),
    'You have given up saving audio file !');
  assert.deepEqual(await cardNames(pageNo, 'DCIM/100KRTIM'), ['VIDE0001.AVI']);
  assert.deepEqual(pageNo.errors, []);
  await pageNo.close();
});

test('without folder access the card file is opened with a file chooser and saved by download', async () => {
  const page = await browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(String(error)));
  page.on('dialog', (dialog) => dialog.accept());
  // As in Firefox and Safari.
  await page.evaluateOnNewDocument(() => { delete window.showDirectoryPicker; });
  await page.goto(site.url);
  await page.waitForSelector('body[data-ready="true"]');
  await chooseModel(page, 'TQ270');
  assert.match(await page.evaluate(() => document.getElementById('card-line').textContent), /GSM\\TQ270\.TXT/);
  const desktop = path.join(expectedDir, 'edited', 'TQ270.TXT');
  const [chooser] = await Promise.all([page.waitForFileChooser(), click(page, 'Open card')]);
  await chooser.accept([desktop]);
  const phone2 = await byLabel(page, 'Phone Number 2 :', 'textbox');
  await page.waitForFunction((e) => e.value === '+491705550123', {}, phone2);
  await save(page);
  const downloaded = await page.evaluate(async () => {
    const link = document.getElementById('card-download');
    return {name: link.download, bytes: [...new Uint8Array(await (await fetch(link.href)).arrayBuffer())]};
  });
  assert.equal(downloaded.name, 'TQ270.TXT');
  assert.equal(Buffer.from(downloaded.bytes).toString('latin1'), (await readFile(desktop)).toString('latin1'),
    'loaded and saved unchanged, the clock included');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the page fits a 1366x768 screen and a 390 px phone, every control labelled', async () => {
  for (const viewport of [{width: 1366, height: 768}, {width: 390, height: 844, isMobile: true, hasTouch: true}]) {
    const page = await openPage(browser, site, {viewport});
    for (const entry of ['TQ270', 'TQ160-E', 'NP290E-16kXS', 'TQ240 SERIES', 'RV720Q-16kXS']) {
      await chooseModel(page, entry);
      const report = await page.evaluate(() => {
        const shown = (e) => e.offsetParent !== null || e.getClientRects().length > 0;
        const unlabelled = [...document.querySelectorAll('input:not([type="file"]), select, button')]
          .filter(shown)
          .filter((e) => !(e.labels?.length || e.getAttribute('aria-labelledby') || e.textContent.trim()))
          .map((e) => e.outerHTML.slice(0, 80));
        // A phone zooms out rather than scroll: the page must keep the screen's width.
        return {overflow: Math.max(document.documentElement.scrollWidth, innerWidth) - document.documentElement.clientWidth,
          unlabelled};
      });
      assert.equal(report.overflow, 0, `${entry} at ${viewport.width} px scrolls sideways`);
      assert.deepEqual(report.unlabelled, [], `${entry} at ${viewport.width} px`);
    }
    await page.close();
  }
});

test('the page reloads and works with the network off', async () => {
  const page = await openPage(browser, site);
  console.log(`# page load to ready: ${await page.evaluate(() => document.body.dataset.readyMs)} ms`);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller)
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
  });
  await setCard(page, {});
  const url = page.url();
  // Nothing answers any more: no server, and the browser is offline.
  await site.close();
  site = undefined;
  await page.setOfflineMode(true);
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  await chooseModel(page, 'TQ355');
  await openCard(page);
  assert.equal(await save(page), 'OK,All parameters have been saved success !');
  assert.deepEqual(await cardNames(page, 'GSM'), ['TQ355.TXT']);
  // Everything came from this origin.
  const foreign = await page.evaluate(() => performance.getEntriesByType('resource')
    .map((e) => e.name).filter((name) => new URL(name).origin !== location.origin));
  assert.deepEqual(foreign, []);
  assert.deepEqual(page.errors.filter((e) => !/ERR_INTERNET_DISCONNECTED|Failed to load resource/.test(e)), []);
  await page.close();
});
