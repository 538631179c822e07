// What the browser tests share: a static server over the built site, Debian's
// chromium (headless, through puppeteer-core), and the page's controls found
// by their accessible names.
import {createServer} from 'node:http';
import {readFile, mkdtemp, rm} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';
import puppeteer from 'puppeteer-core';

const here = path.dirname(fileURLToPath(import.meta.url));
export const repo = path.resolve(here, '..', '..');
export const siteDir = process.env.KRT_SITE_DIR || path.join(repo, 'build-web', 'site');
export const expectedDir = process.env.KRT_EXPECTED_DIR || path.join(repo, 'build', 'web-expected');

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.mjs': 'text/javascript',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
};

/// Serves the site as any static host would; `close()` takes it off the network.
export async function serveSite() {
  const server = createServer(async (request, response) => {
    const url = new URL(request.url, 'http://localhost');
    let file = decodeURIComponent(url.pathname);
    if (file.endsWith('/'))
      file += 'index.html';
    const full = path.join(siteDir, path.normalize(file));
    if (!full.startsWith(siteDir)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(full);
      response.writeHead(200, {'Content-Type': types[path.extname(full)] || 'application/octet-stream'});
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const {port} = server.address();
  return {
    url: `http://localhost:${port}/`,
    close: () => new Promise((resolve) => {
      server.closeAllConnections();
      server.close(resolve);
    }),
  };
}

export async function launchBrowser() {
  const profile = await mkdtemp(path.join(tmpdir(), 'krt-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.KRT_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage',
      '--autoplay-policy=no-user-gesture-required'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    await rm(profile, {recursive: true, force: true});
  };
  return browser;
}

/// A page on the site with the OPFS card, every question answered OK unless
/// `answers` says otherwise, and what it printed kept.
export async function openPage(browser, site, {answers = [], query = '?card=opfs', viewport} = {}) {
  const page = await browser.newPage();
  if (viewport)
    await page.setViewport(viewport);
  page.questions = [];
  page.errors = [];
  page.on('dialog', async (dialog) => {
    page.questions.push(dialog.message());
    const answer = answers.length ? answers.shift() : true;
    await (answer ? dialog.accept() : dialog.dismiss());
  });
  page.on('pageerror', (error) => page.errors.push(String(error)));
  page.on('console', (message) => {
    if (message.type() === 'error')
      page.errors.push(message.text());
  });
  await page.bringToFront();
  await page.goto(site.url + query);
  await page.waitForSelector('body[data-ready="true"]');
  return page;
}

/// Empties the origin's private file system (the test card) and puts files on it.
export async function setCard(page, files = {}) {
  await page.evaluate(async (files) => {
    const root = await navigator.storage.getDirectory();
    for await (const name of root.keys())
      await root.removeEntry(name, {recursive: true});
    for (const [filePath, bytes] of Object.entries(files)) {
      const names = filePath.split('/');
      let dir = root;
      for (const name of names.slice(0, -1))
        dir = await dir.getDirectoryHandle(name, {create: true});
      const handle = await dir.getFileHandle(names[names.length - 1], {create: true});
      const stream = await handle.createWritable();
      await stream.write(new Uint8Array(bytes));
      await stream.close();
    }
  }, Object.fromEntries(Object.entries(files).map(([k, v]) => [k, [...v]])));
}

/// A file of the test card, or undefined.
export async function cardFile(page, filePath) {
  const bytes = await page.evaluate(async (filePath) => {
    try {
      let dir = await navigator.storage.getDirectory();
      const names = filePath.split('/');
      for (const name of names.slice(0, -1))
        dir = await dir.getDirectoryHandle(name);
      const file = await (await dir.getFileHandle(names[names.length - 1])).getFile();
      return [...new Uint8Array(await file.arrayBuffer())];
    } catch {
      return null;
    }
  }, filePath);
  return bytes ? Buffer.from(bytes) : undefined;
}

export async function cardNames(page, folder) {
  return page.evaluate(async (folder) => {
    let dir = await navigator.storage.getDirectory();
    for (const name of folder.split('/').filter(Boolean))
      dir = await dir.getDirectoryHandle(name);
    const names = [];
    for await (const name of dir.keys())
      names.push(name);
    return names.sort();
  }, folder);
}

/// The control whose accessible name is `name` (the label it is shown with).
export async function byLabel(page, name, role) {
  const selector = role ? `::-p-aria([name="${name}"][role="${role}"])` : `::-p-aria(${name})`;
  const handle = await page.waitForSelector(selector, {timeout: 5000});
  return handle;
}

export async function chooseModel(page, entry) {
  const select = await byLabel(page, 'Camera model', 'combobox');
  await select.select(entry);
  await page.waitForFunction((entry) => document.title === `KRT CONFIG : For ${entry}`, {}, entry);
}

export async function click(page, name, role = 'button') {
  await (await byLabel(page, name, role)).click();
}

/// Presses "Save to card" and waits for the save (and any sound) to end.
export async function save(page) {
  const before = await page.evaluate(() => Number(document.body.dataset.saved || 0));
  await click(page, 'Save to card');
  await page.waitForFunction((before) => Number(document.body.dataset.saved || 0) > before, {timeout: 60000}, before);
  return page.evaluate(() => document.querySelector('[role="status"]').textContent);
}

/// Presses "Open card" and waits until the card is read and the page drawn
/// from it (the clock's timer redraws the page meanwhile, so a changed page
/// alone says nothing).
export async function openCard(page) {
  const before = await page.evaluate(() => Number(document.body.dataset.opened || 0));
  await click(page, 'Open card');
  await page.waitForFunction((before) => Number(document.body.dataset.opened || 0) > before, {}, before);
}

/// The ".BIN" codec's transform (each byte complemented), to read an encoded file.
export function complement(bytes) {
  return Buffer.from(bytes.map((b) => 255 - b));
}

/// The text without its clock lines, which carry the moment of the save.
export function withoutClock(text) {
  return text.split(/\r?\n/).filter((line) => !/^Clock (Year|Month|Day|Hour|Minute|Second)=/.test(line)).join('\n');
}
