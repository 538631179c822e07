// KRT CONFIG in the browser. The page draws what the core (krt.wasm, through
// its Session) says and hands every choice back to it; the core holds every
// rule. This file only builds and updates controls and moves bytes between
// the card and the core.
import createKrt from './krt.js';
import * as card from './card.js';
import {convert, placeOnCard} from './sound.js';
import {accessKey, clearMessages, el, fieldset, nextId, plain, section, setVisible, showMessages, textField} from './dom.js';

const params = new URLSearchParams(location.search);
const useOpfs = params.get('card') === 'opfs';
const STORED_MODEL = 'krt-config.model';

const $ = (id) => document.getElementById(id);
let krt;
let session;
let state;
let root;           // the card's directory handle, once opened
let soundFileChosen; // the File behind the camera form's audio path
const controls = new Map(); // ctrlId -> element, for the camera form

// ---- messages

function ask(text) {
  // The browser's own modal box: keyboard and screen readers know it.
  return window.confirm(text);
}

// ---- rendering ------------------------------------------------------------

function refresh() {
  state = session.state();
  showMessages(state.messages);
  update();
}

function build() {
  const settings = $('settings');
  settings.replaceChildren();
  controls.clear();
  settings.append(buildContacts(), buildNetwork(), buildCamera(), buildSound());
  settings.setAttribute('aria-busy', 'false');
  update();
}

// Contacts: the main dialog's customer fields.
let contactInputs = [];
let tieBox;
function buildContacts() {
  const s = section('Contacts', 'contacts');
  const group = fieldset(state.contactsGroup);
  contactInputs = state.contacts.map((field, index) => {
    const {row, input} = textField(field.label, field.text, (value) => {
      session.setCustomer(index, value);
      refresh();
    }, {attributes: {name: field.name, type: index < 4 ? 'tel' : 'email'}});
    if (index === 4) {
      input.addEventListener('focus', () => {
        if (session.emailFocused()) {
          refresh();
          tieBox.focus();
        }
      });
      const id = nextId('tie');
      tieBox = el('input', {type: 'checkbox', id});
      tieBox.addEventListener('click', () => {
        session.clickEmailTie();
        refresh();
      });
      row.append(el('span', {class: 'marker', 'aria-hidden': 'true', text: '*'}),
        el('label', {for: id, class: 'tie'}, tieBox, ` = ${state.emailTieLabel}`));
    }
    group.append(row);
    return input;
  });
  s.append(group);
  return s;
}

// Network: country and operator presets, the network dialog's fields.
let net = {};
function buildNetwork() {
  const s = section('Network', 'network');
  const n = state.network;
  const lists = fieldset(n.group);
  const country = el('select', {id: 'country'});
  const operator = el('select', {id: 'operator'});
  country.addEventListener('change', () => {
    session.selectCountry(country.selectedIndex - 1);
    refresh();
  });
  operator.addEventListener('change', () => {
    session.selectOperator(operator.selectedIndex - 1);
    refresh();
  });
  lists.append(el('div', {class: 'field'}, el('label', {for: 'country', class: 'label', text: n.countryLabel}), country),
    el('div', {class: 'field'}, el('label', {for: 'operator', class: 'label', text: n.operatorLabel}), operator));
  const topLine = el('p', {class: 'top-line'});
  s.append(lists, topLine);

  const fields = new Map();
  const groups = new Map();
  const ip = [];
  for (const field of n.fields) {
    if (!groups.has(field.group))
      groups.set(field.group, fieldset(field.group));
    const group = groups.get(field.group);
    if (field.ctrlId === 1018) {
      // The address control: four numbers between dots.
      const labelId = nextId('ip');
      const row = el('div', {class: 'field ip', role: 'group', 'aria-labelledby': labelId},
        el('span', {id: labelId, class: 'label', text: field.label}));
      for (let part = 0; part < 4; ++part) {
        const input = el('input', {type: 'text', inputmode: 'numeric', maxlength: '3', size: '3',
          'aria-labelledby': labelId, pattern: '[0-9]*', autocomplete: 'off'});
        input.addEventListener('change', () => {
          session.setIpPart(part, input.value);
          refresh();
        });
        if (part > 0)
          row.append(el('span', {'aria-hidden': 'true', text: '.'}));
        row.append(input);
        ip.push(input);
      }
      group.append(row);
      continue;
    }
    const {row, input} = textField(field.label, field.text, (value) => {
      session.setNetworkField(field.index, value);
      refresh();
    }, {password: field.password, attributes: {name: field.name}});
    if (field.ctrlId === 1020)
      input.placeholder = n.placeholder;
    if (field.ctrlId === 1019)
      input.addEventListener('focus', () => {
        if (session.serverFocused()) {
          refresh();
          fields.get(1020).focus();
        }
      });
    if (field.required)
      row.append(el('span', {class: 'marker', 'aria-hidden': 'true', text: '*'}));
    fields.set(field.ctrlId, input);
    group.append(row);
  }
  const clear = el('button', {type: 'button', text: plain(n.clearLabel), accesskey: accessKey(n.clearLabel)});
  clear.addEventListener('click', () => {
    session.clearWap();
    refresh();
  });
  const wap = [...groups.values()];
  wap[0].append(clear);
  const columns = el('div', {class: 'columns'}, ...wap);
  s.append(columns);

  let security;
  if (state.hasSmtpSecurity) {
    const box = fieldset(n.securityGroup, 'stack');
    const encryptionId = nextId('enc');
    const encryption = el('input', {type: 'checkbox', id: encryptionId, accesskey: accessKey(n.encryptionLabel)});
    encryption.addEventListener('click', () => {
      session.setEncryption(encryption.checked);
      refresh();
    });
    box.append(el('label', {for: encryptionId, class: 'choice'}, encryption, ` ${plain(n.encryptionLabel)}`));
    const radios = n.securityLabels.map((text, index) => {
      const id = nextId('sec');
      const radio = el('input', {type: 'radio', id, name: 'security'});
      radio.addEventListener('click', () => {
        session.setSecurityOption(index + 1);
        refresh();
      });
      box.append(el('label', {for: id, class: 'choice'}, radio, ` ${plain(text)}`));
      return radio;
    });
    s.append(box);
    security = {encryption, radios};
  }

  let ftp = [];
  if (state.hasFtp) {
    const box = fieldset(n.ftpGroup);
    box.id = 'ftp-settings';
    ftp = n.ftp.map((field, index) => {
      const {row, input} = textField(field.label, field.text, (value) => {
        session.setFtpField(index, value);
        refresh();
      }, {password: field.password});
      box.append(row);
      return input;
    });
    s.append(box);
  }
  net = {country, operator, topLine, fields, ip, security, ftp};
  return s;
}

// Camera: the model's camera settings dialog, group box by group box.
function buildCamera() {
  const s = section('Camera', 'camera');
  const hint = el('p', {class: 'hint', text: state.cameraHint});
  const defaults = el('button', {type: 'button', text: plain(state.defaultLabel), accesskey: accessKey(state.defaultLabel)});
  defaults.addEventListener('click', () => {
    session.defaultSetting();
    refresh();
  });
  s.append(el('div', {class: 'defaults'}, hint, defaults));

  const groups = new Map();
  let lastRow;
  let lastLabel;
  let lastKind;
  const boxes = el('div', {class: 'camera-groups'});
  for (const control of state.camera) {
    if (control.ctrlId === 1029 || control.ctrlId === 1030)
      continue; // the sound's controls stand under their own heading
    if (!groups.has(control.group)) {
      const box = fieldset(control.group, control.kind === 'radio' ? 'radios' : '');
      groups.set(control.group, box);
      boxes.append(box);
      lastRow = undefined;
    }
    const box = groups.get(control.group);
    const id = `c${control.ctrlId}`;
    let input;
    let row;
    if (control.kind === 'list') {
      input = el('select', {id, name: control.name});
      input.append(el('option', {value: '-1', text: '', hidden: true}));
      control.items.forEach((item, index) => input.append(el('option', {value: String(index), text: item})));
      input.addEventListener('change', () => {
        session.cameraChoose(control.ctrlId, Number(input.value));
        refresh();
      });
    } else if (control.kind === 'radio' || control.kind === 'check') {
      input = el('input', {id, type: control.kind === 'radio' ? 'radio' : 'checkbox', name: control.kind === 'radio' ? `g-${control.group}` : control.name});
      input.addEventListener('click', () => {
        // The core decides what is checked; refresh() shows it.
        session.cameraClick(control.ctrlId);
        refresh();
        if (control.ctrlId === 1050 || (control.ctrlId === 1043 && state.hasFtp && control.label === 'FTP'))
          $('ftp-settings')?.scrollIntoView({block: 'center'});
      });
      row = el('div', {class: 'field choice-row'}, el('label', {for: id, class: 'choice'}, input, ` ${control.label.trim()}`));
      if (control.ctrlId === 1051)
        row.append(el('span', {class: 'hint', text: 'ticked: set from this computer when saved'}));
    } else if (control.kind === 'edit') {
      input = el('input', {id, type: 'text', name: control.name, maxlength: control.maxLength || undefined, autocomplete: 'off'});
      input.addEventListener('change', () => {
        session.cameraText(control.ctrlId, input.value);
        refresh();
      });
    } else if (control.kind === 'date' || control.kind === 'time') {
      input = el('input', {id, type: control.kind, step: control.kind === 'time' ? '1' : undefined});
      input.addEventListener('change', () => {
        session.cameraText(control.ctrlId, input.value);
        refresh();
      });
    } else {
      continue;
    }
    if (!row) {
      // A field that shares the label before it stands beside it, after ":".
      const pair = (control.kind === 'list' && lastKind === 'list') || (control.kind === 'time' && lastKind === 'date');
      if (lastRow && pair && lastLabel === control.label && lastRow.dataset.group === control.group) {
        const sep = el('span', {id: nextId('sep'), class: 'sep', text: control.kind === 'list' ? ':' : '', 'aria-hidden': 'true'});
        if (control.kind === 'list')
          lastRow.classList.add('pair');
        input.setAttribute('aria-labelledby', `${lastRow.dataset.labelId} ${sep.id}`);
        lastRow.append(sep, input);
        controls.set(control.ctrlId, {control, input, row: lastRow, own: false, sep});
        continue;
      }
      const labelId = nextId('l');
      row = el('div', {class: 'field'}, el('label', {for: id, id: labelId, class: 'label', text: control.label}), input);
      row.dataset.labelId = labelId;
      row.dataset.group = control.group;
      lastRow = row;
      lastLabel = control.label;
      lastKind = control.kind;
    } else {
      lastRow = undefined;
    }
    box.append(row);
    controls.set(control.ctrlId, {control, input, row, own: true});
  }
  s.append(boxes);
  return s;
}

// Game-call sound: "Add Audio" picks the file; SAVE converts and places it.
let sound = {};
function buildSound() {
  const s = section('Game-call sound', 'sound');
  const button = state.camera.find((c) => c.ctrlId === 1029);
  if (!button || !state.hasGameCallAudio) {
    s.append(el('p', {class: 'hint', text: `${state.title.replace('KRT CONFIG : For ', '')} plays no game-call sound.`}));
    sound = {};
    return s;
  }
  const picker = el('input', {type: 'file', id: 'sound-file', accept: '.mp3,.wav,.aac,audio/mpeg,audio/wav,audio/aac', hidden: true});
  const add = el('button', {type: 'button', id: 'add-audio', text: button.label});
  const path = el('output', {id: 'sound-path', for: 'add-audio', class: 'sound-path'});
  add.addEventListener('click', () => picker.click());
  picker.addEventListener('change', () => {
    const file = picker.files[0];
    soundFileChosen = file;
    session.chooseSound(file ? file.name : undefined);
    picker.value = '';
    refresh();
  });
  picker.addEventListener('cancel', () => {
    session.chooseSound(undefined);
    refresh();
  });
  const progressId = nextId('p');
  const progress = el('progress', {id: progressId, max: '1', value: '0', hidden: true});
  const progressLabel = el('label', {for: progressId, hidden: true, text: 'Converting the sound'});
  const placed = el('p', {class: 'hint', id: 'sound-placed'});
  s.append(el('div', {class: 'field'}, add, path), el('div', {class: 'field'}, progressLabel, progress), placed);
  sound = {add, path, progress, progressLabel, placed, picker};
  return s;
}

function update() {
  document.title = state.title;
  // Contacts.
  state.contacts.forEach((field, index) => {
    const input = contactInputs[index];
    if (input && document.activeElement !== input)
      input.value = field.text;
    if (input)
      input.readOnly = field.readOnly;
  });
  if (tieBox)
    tieBox.checked = state.emailTied;

  // Network.
  const n = state.network;
  const fillList = (select, items, selected) => {
    const wanted = ['', ...items];
    if (select.options.length !== wanted.length || [...select.options].some((o, i) => o.text !== wanted[i]))
      select.replaceChildren(...wanted.map((text, i) => el('option', {value: String(i - 1), text, hidden: i === 0})));
    select.selectedIndex = selected + 1;
  };
  fillList(net.country, n.countries, n.country);
  fillList(net.operator, n.operators, n.operator);
  net.operator.disabled = n.operators.length === 0;
  net.topLine.textContent = n.topLine;
  for (const field of n.fields) {
    const input = net.fields.get(field.ctrlId);
    if (!input)
      continue;
    if (document.activeElement !== input)
      input.value = field.text;
    input.disabled = !field.enabled;
  }
  net.ip.forEach((input, part) => {
    input.value = n.ip[part];
    input.disabled = !n.userDefined;
  });
  if (net.security) {
    net.security.encryption.checked = n.encryption;
    net.security.radios.forEach((radio, index) => {
      radio.checked = n.encryption && n.security === index + 1;
      radio.disabled = !n.encryption;
    });
  }
  net.ftp.forEach((input, index) => {
    if (document.activeElement !== input)
      input.value = n.ftp[index].text;
  });

  // Camera.
  for (const control of state.camera) {
    const entry = controls.get(control.ctrlId);
    if (!entry)
      continue;
    const {input, row, own, sep} = entry;
    if (input.tagName === 'SELECT')
      input.value = String(control.value);
    else if (input.type === 'radio' || input.type === 'checkbox') {
      input.checked = control.value === 1;
      input.indeterminate = control.value === 2;
    } else if (document.activeElement !== input || input.type === 'date' || input.type === 'time')
      input.value = control.text;
    input.disabled = !control.enabled;
    if (own) {
      setVisible(row, control.visible);
    } else {
      setVisible(input, control.visible);
      setVisible(sep, control.visible);
    }
  }
  // Groups whose every control is hidden are hidden too.
  for (const box of document.querySelectorAll('#camera fieldset')) {
    box.hidden = false;
    const shown = [...box.querySelectorAll('select, input')].some((i) => !i.closest('[hidden]'));
    box.hidden = !shown;
  }

  // Sound.
  if (sound.add) {
    const button = state.camera.find((c) => c.ctrlId === 1029);
    const path = state.camera.find((c) => c.ctrlId === 1030);
    sound.add.disabled = !button.enabled;
    sound.path.value = path.text;
  }
  $('save-card').disabled = false;
  $('open-card').disabled = false;
}

// ---- model and card -------------------------------------------------------

function cardLine() {
  if (!card.canOpenFolders() && !useOpfs)
    return `Save downloads ${state.fileName}: copy it to the camera's card as ${state.cardPath}.`;
  return root ? `${state.cardPath} on the card “${root.name || 'private storage'}”.`
    : `No card open yet: “Open card” asks for the card's top folder and reads ${state.cardPath}.`;
}

function startSession(entry, cardBytes) {
  session?.delete();
  session = new krt.Session(entry, ask);
  session.open(cardBytes);
  soundFileChosen = undefined;
  state = session.state();
  clearMessages();
  $('status').textContent = '';
  build();
  showMessages(state.messages);
  $('picture').src = `pictures/bitmap_${pictureOf(entry)}.svg`;
  $('picture').alt = entry;
  $('card-line').textContent = cardLine();
}

function pictureOf(entry) {
  const row = krt.models().find((m) => m.entry === entry);
  return row ? row.picture : krt.noSelectionPicture();
}

async function openCard() {
  clearMessages();
  const entry = $('model').value;
  if (!card.canOpenFolders() && !useOpfs) {
    $('card-file').click();
    return;
  }
  try {
    const chosen = await card.chooseCard(useOpfs);
    if (!chosen)
      return;
    root = chosen;
    startSession(entry, await card.readFile(root, state.cardPath));
  } catch (error) {
    showMessages([{icon: 'error', text: `The card could not be opened.`, detail: String(error)}]);
  } finally {
    // Counts the openings, so a script (the tests) can wait for one to end.
    document.body.dataset.opened = String(Number(document.body.dataset.opened || 0) + 1);
  }
}

async function saveToCard() {
  try {
    await saveAndPlace();
  } finally {
    document.body.dataset.saved = String(Number(document.body.dataset.saved || 0) + 1);
  }
}

async function saveAndPlace() {
  clearMessages();
  $('status').textContent = '';
  const begun = performance.now();
  const result = session.save();
  if (result.focus !== undefined) {
    refresh();
    const target = controlFor(result.focus);
    target?.focus();
    return;
  }
  if (result.ok && result.card) {
    if (root) {
      try {
        await card.writeFile(root, state.cardPath, result.card);
      } catch (error) {
        session.cardWriteFailed(`${error.name}: ${error.message}`);
      }
    } else {
      offerDownload(result.card, state.fileName, `Download ${state.fileName}`, 'card-download');
    }
  }
  if (result.backup)
    offerBackup(result.backup);
  document.body.dataset.saveMs = String(Math.round(performance.now() - begun));
  refresh();
  if (result.placeSound && soundFileChosen)
    await placeSound(soundFileChosen);
}

function controlFor(ctrlId) {
  if (net.fields.has(ctrlId))
    return net.fields.get(ctrlId);
  if (ctrlId === 1001)
    return net.security?.encryption;
  const ftpIds = [1079, 1081, 1080, 1082];
  if (ftpIds.includes(ctrlId))
    return net.ftp[ftpIds.indexOf(ctrlId)];
  return controls.get(ctrlId)?.input;
}

function offerDownload(bytes, name, text, id) {
  const line = $('backup');
  line.hidden = false;
  line.querySelector(`#${id}`)?.remove();
  const link = card.downloadLink(bytes, name, text);
  link.id = id;
  line.append(link);
}

function offerBackup(bytes) {
  offerDownload(bytes, state.fileName, `Download the backup copy (${state.fileName}) — keep it on this computer`, 'backup-download');
}

async function placeSound(file) {
  sound.progress.hidden = sound.progressLabel.hidden = false;
  sound.progress.removeAttribute('value');
  const begun = performance.now();
  let wav;
  try {
    const samples = await convert(file, (fraction) => { sound.progress.value = fraction; });
    wav = session.soundFile(samples);
  } catch (error) {
    session.soundConversionFailed(`${error.name}: ${error.message}`);
  }
  document.body.dataset.soundMs = String(Math.round(performance.now() - begun));
  sound.progress.hidden = sound.progressLabel.hidden = true;
  if (!wav) {
    refresh();
    return;
  }
  const places = krt.Session.soundPlaces();
  if (!root) {
    offerDownload(wav, 'ADUI0001.WAV', 'Download ADUI0001.WAV', 'sound-download');
    sound.placed.textContent = `Copy ADUI0001.WAV to the camera's card as ${places.sound.slice(1)}.`;
    refresh();
    return;
  }
  if (await placeOnCard(session, root, places, wav))
    sound.placed.textContent = `${places.sound.slice(1)}: ${wav.length} bytes.`;
  refresh();
}

async function main() {
  if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('sw.js').catch(() => {});
  krt = await createKrt();
  const select = $('model');
  const models = krt.models();
  for (const model of models)
    select.append(el('option', {value: model.entry, text: model.entry}));
  const remembered = localStorage.getItem(STORED_MODEL);
  select.value = models.some((m) => m.entry === remembered) ? remembered : models[0].entry;
  select.disabled = false;
  select.addEventListener('change', () => {
    localStorage.setItem(STORED_MODEL, select.value);
    root = undefined;
    startSession(select.value, undefined);
  });
  $('open-card').addEventListener('click', openCard);
  $('save-card').addEventListener('click', saveToCard);
  $('card-file').addEventListener('change', async () => {
    const file = $('card-file').files[0];
    $('card-file').value = '';
    if (file)
      startSession(select.value, new Uint8Array(await file.arrayBuffer()));
  });
  startSession(select.value, undefined);
  // The camera dialog's clock timer.
  setInterval(() => {
    const date = controls.get(1048);
    const time = controls.get(1049);
    if (!session || !date || !time || !date.input.disabled)
      return;
    session.tick();
    state = session.state();
    showMessages(state.messages);
    for (const entry of [date, time])
      entry.input.value = state.camera.find((c) => c.ctrlId === entry.control.ctrlId).text;
  }, 1000);
  // From the start of the page's load (navigation) to a usable page.
  document.body.dataset.readyMs = String(Math.round(performance.now()));
  document.body.dataset.ready = 'true';
}

main().catch((error) => {
  $('settings').textContent = `KRT CONFIG could not start: ${error}`;
});
