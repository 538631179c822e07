// Screenshots of the page for a look at its layout (not a test):
//   node web/tests/screenshots.mjs <folder> [model]
// writes wide.png (1366x768), wide-full.png, phone.png (390 px) and phone-full.png.
import path from 'node:path';
import {serveSite, launchBrowser, openPage, chooseModel} from './support.mjs';

const [folder = '.', model = 'TQ270'] = process.argv.slice(2);
const site = await serveSite();
const browser = await launchBrowser();
try {
  for (const [name, viewport] of [['wide', {width: 1366, height: 768}],
    ['phone', {width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2}]]) {
    const page = await openPage(browser, site, {viewport});
    await chooseModel(page, model);
    await page.screenshot({path: path.join(folder, `${name}.png`)});
    await page.screenshot({path: path.join(folder, `${name}-full.png`), fullPage: true});
    await page.close();
  }
} finally {
  await browser.close();
  await site.close();
}
