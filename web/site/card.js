// The camera's card as the browser reaches it: a directory handle of the
// card's root (the File System Access API, or the origin's private file
// system for demonstrations and tests). Paths come from the core in the
// card's own form, "\DCIM\100KRTIM\ADUI0001.WAV".

function parts(path) {
  return path.split(/[\\/]/).filter((part) => part !== '');
}

export function canOpenFolders() {
  return typeof window.showDirectoryPicker === 'function';
}

/// The card's root: asked of the user, or the private file system when the
/// address says ?card=opfs. Undefined when the user cancelled.
export async function chooseCard(useOpfs) {
  if (useOpfs)
    return navigator.storage.getDirectory();
  try {
    return await window.showDirectoryPicker({id: 'krt-card', mode: 'readwrite'});
  } catch (error) {
    if (error.name === 'AbortError')
      return undefined;
    throw error;
  }
}

async function folder(root, names, create) {
  let dir = root;
  for (const name of names)
    dir = await dir.getDirectoryHandle(name, {create});
  return dir;
}

async function fileHandle(root, path, create) {
  const names = parts(path);
  const dir = await folder(root, names.slice(0, -1), create);
  return dir.getFileHandle(names[names.length - 1], {create});
}

/// The file's bytes, or undefined when the card has no such file.
export async function readFile(root, path) {
  try {
    const file = await (await fileHandle(root, path, false)).getFile();
    return new Uint8Array(await file.arrayBuffer());
  } catch (error) {
    if (error.name === 'NotFoundError' || error.name === 'TypeMismatchError')
      return undefined;
    throw error;
  }
}

export async function exists(root, path) {
  try {
    await fileHandle(root, path, false);
    return true;
  } catch (error) {
    if (error.name === 'NotFoundError' || error.name === 'TypeMismatchError')
      return false;
    throw error;
  }
}

export async function makeFolder(root, path) {
  await folder(root, parts(path), true);
}

/// Writes the file aside and swaps it in on close: a card pulled midway
/// keeps the old file.
export async function writeFile(root, path, bytes) {
  const handle = await fileHandle(root, path, true);
  const stream = await handle.createWritable({keepExistingData: false});
  try {
    await stream.write(bytes);
  } catch (error) {
    await stream.abort();
    throw error;
  }
  await stream.close();
}

/// Gives a file a new name in its folder; fails when the new name is taken.
export async function rename(root, from, to) {
  if (await exists(root, to))
    throw new DOMException(`${to} exists`, 'InvalidModificationError');
  const handle = await fileHandle(root, from, false);
  const newName = parts(to).pop();
  if (typeof handle.move === 'function') {
    await handle.move(newName);
    return;
  }
  // Without move(): the copy is written whole before the old name goes.
  const bytes = new Uint8Array(await (await handle.getFile()).arrayBuffer());
  await writeFile(root, to, bytes);
  const dir = await folder(root, parts(from).slice(0, -1), false);
  await dir.removeEntry(parts(from).pop());
}

/// Offers bytes as a download (browsers without folder access, the backup copy).
export function downloadLink(bytes, name, text) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
  link.download = name;
  link.textContent = text;
  return link;
}
